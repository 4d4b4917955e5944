#pragma once
// Merging files into one and splitting each at a separator, on raw bytes.
// Every file is written atomically (Files::WriteFile), so a failed write
// leaves an older file of that name as it was.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_outcome.h"
#include "core/text_ops.h"
#include "platform/files.h"

namespace scribbet {

// The separator of the choice "换行符". Its name is its own in the whole
// program: two inline constants of one name and different types would be
// merged by the linker into one, and code reading the other type gets garbage.
inline constexpr std::string_view kBatchLineBreak = "\r\n";

enum class MergeSplitCheck {
    Ready,
    NoFiles,   // the list is empty
    NoFolder,  // no output folder has been chosen
};

// The checks both buttons run first, in this order.
[[nodiscard]] MergeSplitCheck CheckMergeSplit(const std::vector<std::string>& sources,
                                              const std::string& folder);

// The file name cut before its first ".": the whole name without a ".",
// empty when the name begins with one.
[[nodiscard]] std::string BaseName(std::string_view path);

// folder, the date and time digits without leading zeros or separators,
// then "_<copy>" for copy 2 and above, then "_合并.txt".
[[nodiscard]] std::string MergedFileName(const std::string& folder, const DateTime& at,
                                         int copy = 1);

// folder, base, "_", number, ".txt".
[[nodiscard]] std::string PieceFileName(const std::string& folder, const std::string& base,
                                        std::size_t number);

// Joins the readable sources, in order, with the separator between them
// into a new file in the folder, named from `at` and never over an existing
// file. Unreadable sources are skipped and reported; with none readable
// nothing is written.
BatchOutcome MergeFiles(Files& files, const std::vector<std::string>& sources,
                        std::string_view separator, const std::string& folder,
                        const DateTime& at);

// Cuts every readable source at each separator (SplitBytes) and writes the
// pieces, numbered from 1, into the folder. A source with the base name of
// an earlier one in the run gets "_2", "_3", ... after it, so no run
// overwrites its own pieces. Unreadable sources write nothing.
BatchOutcome SplitFiles(Files& files, const std::vector<std::string>& sources,
                        std::string_view separator, const std::string& folder);

}  // namespace scribbet
