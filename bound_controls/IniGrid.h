#pragma once
// TIniGrid: a string grid whose non-fixed cells live in the settings file, either flat (one key
// holding the cells in row-major order, separated by commas, at most 254 characters) or
// hierarchical (one key per cell whose row and column titles are identifiers, named
// Keyword\RowTitle\ColumnTitle).
#include <string>

#include "IniBoundControl.h"
#include "StringGrid.h"

class TIniGrid : public TIniBound<TStringGrid> {
public:
    explicit TIniGrid(TComponent* owner);

    // Spread over the cells on IM_SETDEFAULT, and by a flat load when the key is absent.
    std::string DefaultValue;

    bool Hierarchical() const { return FHierarchical; }
    // Refuses true without a fixed row and a fixed column (they hold the titles), with an error
    // dialog; raises nothing.
    void SetHierarchical(bool value);

    // Set by a typed character (backspace or 32 to 126) on the grid's own window, never cleared.
    bool Modified() const { return FModified; }

    // The flat value of the cells, and the cells from a flat value.
    std::string JoinCells() const;
    void SplitIntoCells(const std::string& text);
    // Whether a text may stand as a row or column title: a letter or "_", then letters, digits, "_".
    static bool IsValidTitle(const std::string& title);

    void WndProc(TMessage& message) override;

protected:
    void LoadValue(const TIniFile& file) override;
    void StoreValue(const TIniFile& file) override;
    void ShowDefaultValue() override;
    bool ValueModified() override { return FModified; }
    bool RefreshHonoursSectionFilter() const override { return true; }

private:
    // Calls `visit`(col, row, key) for each non-fixed cell with valid titles, in row-major order.
    template <class Visit>
    void ForEachTitledCell(Visit visit) const;

    bool FHierarchical = false;
    bool FModified = false;
};
