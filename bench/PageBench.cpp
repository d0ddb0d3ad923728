#include "PageBench.h"

#include <windows.h>

#include <algorithm>

#include "Format.h"
#include "GalleryPage.h"

namespace {

constexpr double kMostSecondsPerName = 2e-6;

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

TBenchRow PageRow(const TStrings& names, TStrings& buffer, const std::string& path, int runs) {
    const int count = names.Count();
    TBenchRow row(Format("Generate and save, %s names", Thousands(count).c_str()), runs, false);
    double build = 0, write = 0;
    for (int run = 0; run < runs; ++run) {
        DeleteFileA(path.c_str());  // each run writes a new file
        const double start = Now();
        // All three options on: the longest lines.
        BuildPage(names, "back.jpg", true, true, true, buffer);
        const double built = Now();
        WritePage(path, buffer);
        const double end = Now();
        if (end - start < row.Seconds) {
            row.Seconds = end - start;
            build = built - start;
            write = end - built;
        }
    }
    // The head, the body line, one line per name, the closing line.
    if (buffer.Count() != count + 4) row.Remark = Format("(%d lines for %d names)", buffer.Count(), count);
    row.Remark += Format("(%.2f us per name: build %.3f s, one write %.3f s of a %.1f MB page)",
                         row.Seconds * 1e6 / std::max(count, 1), build, write,
                         static_cast<double>(FileSize(path)) / 1e6);
    DeleteFileA(path.c_str());
    row.Goal = kMostSecondsPerName * count;
    return row;
}
