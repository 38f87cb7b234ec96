// libFuzzer entry point that runs one program's whole dialogue in-process:
// the fuzz input becomes the program's standard input, its standard output
// goes to /dev/null, and its main (compiled under the name
// numex_program_main) runs once per input. The programs keep no state
// between runs and release what they allocate, so runs are independent.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <stdio_ext.h>
#include <sys/mman.h>
#include <unistd.h>

int numex_program_main();

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    int null = open("/dev/null", O_WRONLY);
    if (null >= 0) {
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    int input = memfd_create("fuzz-stdin", 0);
    if (input < 0) {
        return 0;
    }
    if (write(input, data, size) != static_cast<ssize_t>(size) || lseek(input, 0, SEEK_SET) != 0) {
        close(input);
        return 0;
    }
    dup2(input, STDIN_FILENO);
    close(input);
    // Drop whatever the stream still buffers or had pushed back from the last
    // run (fseek would reuse a buffer that happens to cover the offset) and
    // clear its end-of-file flag; reading then starts at the new input.
    __fpurge(stdin);
    std::clearerr(stdin);
    numex_program_main();
    std::fflush(stdout);
    return 0;
}
