#pragma once
// The benchmark's clock and its one table: each row a wait a user has, the best time of a number of
// runs, the floor measured in the same run, their ratio and the goal.
#include <string>
#include <utility>
#include <vector>

// Seconds on the high-resolution counter.
double Now();
// A count with commas between the thousands: 1,000,000.
std::string Thousands(int n);

struct TBenchRow {
    // A row that keeps the least of the times given to it, with or without a floor.
    TBenchRow(std::string wait, int runs, bool hasFloor)
        : Wait(std::move(wait)), Runs(runs), Seconds(1e9), Floor(hasFloor ? 1e9 : -1) {}

    std::string Wait;
    int Runs;
    double Seconds;
    double Floor;           // below 0: the row has no floor
    double Goal = 0;        // the highest ratio, or for a row without floor the most seconds; 0: none
    std::string Remark;     // printed after the row, e.g. a count that came out wrong
};

class TBenchTable {
public:
    void PrintHeader() const;
    // Keeps the row and prints it at once, so that a run stopped early still shows what it measured.
    void Add(const TBenchRow& row);
    bool AllWithinGoal() const;

private:
    std::vector<TBenchRow> FRows;
};
