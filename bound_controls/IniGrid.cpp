#include "IniGrid.h"

#include "MessageDlg.h"

namespace {

constexpr int kHelpContext = 6100;
constexpr size_t kFlatLimit = 254;     // characters a flat save stores
constexpr size_t kSplitWindow = 255;   // characters kept in play after each value taken

bool IsTitleStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

}  // namespace

TIniGrid::TIniGrid(TComponent* owner) : TIniBound<TStringGrid>(owner) {}

bool TIniGrid::IsValidTitle(const std::string& title) {
    if (title.empty() || !IsTitleStart(title[0])) return false;
    for (char c : title)
        if (!IsTitleStart(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

void TIniGrid::SetHierarchical(bool value) {
    if (value && (FixedRows() < 1 || FixedCols() < 1)) {
        MessageDlg("Need row and column titles to write out in hierarchical format", TMsgDlgType::mtError,
                   mbOK | mbHelp, kHelpContext);
        return;
    }
    FHierarchical = value;
}

std::string TIniGrid::JoinCells() const {
    std::string joined;
    for (int row = FixedRows(); row < RowCount(); ++row)
        for (int col = FixedCols(); col < ColCount(); ++col) {
            joined += ',';
            joined += Cells(col, row);
        }
    if (joined.empty()) return joined;
    return joined.substr(1, kFlatLimit);
}

void TIniGrid::SplitIntoCells(const std::string& text) {
    std::string rest = text + ",";
    size_t comma = rest.find(',');
    for (int row = FixedRows(); row < RowCount(); ++row)
        for (int col = FixedCols(); col < ColCount(); ++col) {
            SetCells(col, row, rest.substr(0, comma));
            rest = rest.substr(comma + 1, kSplitWindow);
            comma = rest.find(',');
            if (comma == std::string::npos) return;  // values left over, or cells beyond the last value
        }
}

template <class Visit>
void TIniGrid::ForEachTitledCell(Visit visit) const {
    // The titles stand in the last fixed column and row; without them no cell has a key. Titles are
    // read afresh for every cell.
    if (FixedRows() < 1 || FixedCols() < 1) return;
    for (int row = FixedRows(); row < RowCount(); ++row) {
        if (!IsValidTitle(Cells(FixedCols() - 1, row))) continue;
        for (int col = FixedCols(); col < ColCount(); ++col) {
            const std::string& rowTitle = Cells(FixedCols() - 1, row);
            const std::string& colTitle = Cells(col, FixedRows() - 1);
            if (!IsValidTitle(rowTitle) || !IsValidTitle(colTitle)) continue;
            visit(col, row, Keyword() + "\\" + rowTitle + "\\" + colTitle);
        }
    }
}

void TIniGrid::LoadValue(const TIniFile& file) {
    // An editor left open would put its stale text over the loaded cell when it closes.
    CancelEdit();
    if (!FHierarchical) {
        SplitIntoCells(file.ReadString(SectionName(), Keyword(), DefaultValue));
        return;
    }
    SplitIntoCells(DefaultValue);
    ForEachTitledCell([&](int col, int row, const std::string& key) {
        SetCells(col, row, file.ReadString(SectionName(), key, Cells(col, row)));
    });
}

void TIniGrid::StoreValue(const TIniFile& file) {
    // What the user typed into a cell still open for editing is part of the value.
    SetEditorMode(false);
    if (!FHierarchical) {
        file.WriteString(SectionName(), Keyword(), JoinCells());
        return;
    }
    ForEachTitledCell(
        [&](int col, int row, const std::string& key) { file.WriteString(SectionName(), key, Cells(col, row)); });
}

void TIniGrid::ShowDefaultValue() {
    CancelEdit();
    SplitIntoCells(DefaultValue);
}

void TIniGrid::WndProc(TMessage& message) {
    if (IsEditingCharacter(message)) FModified = true;
    TIniBound<TStringGrid>::WndProc(message);
}
