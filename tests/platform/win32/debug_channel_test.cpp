#include <windows.h>

#include <gtest/gtest.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace {

// What a child process writes to standard error through the debugger
// channel, with or without a tracer attached.
std::string DebugOutputOfChild(bool traced) {
    int fds[2];
    if (pipe(fds) != 0) return "pipe failed";
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        dup2(fds[1], 2);
        // The parent becomes the tracer; the child never stops, as it
        // receives no signal and executes nothing.
        if (traced && ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) _exit(3);
        OutputDebugStringA("Error nr: 5 (KD DEBUG)\n");
        _exit(0);
    }
    close(fds[1]);
    std::string out;
    char chunk[256];
    ssize_t n;
    while ((n = read(fds[0], chunk, sizeof chunk)) > 0) out.append(chunk, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) return "no tracing here";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    return out;
}

TEST(DebugChannel, WritesOnlyWhileADebuggerIsAttached) {
    EXPECT_EQ(DebugOutputOfChild(false), "");
    std::string traced = DebugOutputOfChild(true);
    if (traced == "no tracing here") GTEST_SKIP() << "this machine forbids ptrace";
    EXPECT_EQ(traced, "Error nr: 5 (KD DEBUG)\n");
}

TEST(MessageBox, WritesCaptionAndTextAndReturnsOk) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "PRECCOMP need minimum 4x1 matrix size", "Error!", MB_OK), IDOK);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error!: PRECCOMP need minimum 4x1 matrix size\n");
}

}  // namespace
