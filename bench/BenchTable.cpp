#include "BenchTable.h"

#include <windows.h>

#include <cstdio>

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Thousands(int n) {
    const std::string digits = std::to_string(n);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

namespace {

bool WithinGoal(const TBenchRow& row) {
    if (row.Goal <= 0) return true;
    return row.Floor > 0 ? row.Seconds / row.Floor <= row.Goal : row.Seconds <= row.Goal;
}

}  // namespace


bool TBenchTable::AllWithinGoal() const {
    for (const TBenchRow& row : FRows)
        if (!WithinGoal(row)) return false;
    return true;
}

void TBenchTable::PrintHeader() const {
    printf("%-42s %5s %10s %10s %7s %9s\n", "wait", "best", "time (s)", "floor (s)", "ratio", "goal");
    fflush(stdout);
}

void TBenchTable::Add(const TBenchRow& row) {
    FRows.push_back(row);
    char floor[32] = "-", ratio[32] = "-", goal[32] = "-";
    if (row.Floor > 0) {
        snprintf(floor, sizeof floor, "%.3f", row.Floor);
        snprintf(ratio, sizeof ratio, "%.2f", row.Seconds / row.Floor);
        if (row.Goal > 0) snprintf(goal, sizeof goal, "<= %.1f", row.Goal);
    } else if (row.Goal > 0) {
        snprintf(goal, sizeof goal, "<= %.1f s", row.Goal);
    }
    char runs[16];
    snprintf(runs, sizeof runs, "of %d", row.Runs);
    const std::string remark = row.Remark.empty() ? std::string() : "  " + row.Remark;
    printf("%-42s %5s %10.3f %10s %7s %9s%s%s\n", row.Wait.c_str(), runs, row.Seconds, floor, ratio, goal,
           WithinGoal(row) ? "" : "  MISSED", remark.c_str());
    fflush(stdout);
}
