#pragma once
// Runs the built scribbet-tool as a whole process, as a script would: the
// arguments go to it without a shell, standard input comes from bytes, and
// what it writes to its two streams comes back.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef SCRIBBET_TOOL_PATH
#error "SCRIBBET_TOOL_PATH names the scribbet-tool to test"
#endif

extern char** environ;

namespace scribbet {

struct ToolRun {
    int status = -1;  // the exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// `folder` holds the files of the streams while the tool runs.
inline ToolRun RunTool(const std::vector<std::string>& args, const std::string& input,
                       const std::filesystem::path& folder) {
    const std::filesystem::path in = folder / ".stdin", out = folder / ".stdout",
                                err = folder / ".stderr";
    std::ofstream(in, std::ios::binary) << input;
    std::vector<std::string> argv{SCRIBBET_TOOL_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    ToolRun run;
    if (posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadAll(out);
    run.err = ReadAll(err);
    for (const auto& path : {in, out, err}) std::filesystem::remove(path);
    return run;
}

}  // namespace scribbet
