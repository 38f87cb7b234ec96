// Runs a built program on a given standard input and captures its standard
// output and exit status, for the tests that check printed results against
// an independent truth.
#ifndef NUMEX_TEST_RUN_PROGRAM_H
#define NUMEX_TEST_RUN_PROGRAM_H

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace numex_test {

struct ProgramRun {
    std::string out;
    int status = -1;
};

inline ProgramRun run_program(const std::string& program, const std::string& input)
{
    char path[] = "/tmp/numex-input-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) {
        throw std::runtime_error("cannot create a temporary input file");
    }
    bool written = write(fd, input.data(), input.size()) == static_cast<ssize_t>(input.size());
    close(fd);
    if (!written) {
        unlink(path);
        throw std::runtime_error("cannot write the temporary input file");
    }
    std::string command = "'" + program + "' < '" + path + "'";
    ProgramRun run;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            run.out.append(buffer, got);
        }
        int raw = pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    unlink(path);
    return run;
}

} // namespace numex_test

#endif
