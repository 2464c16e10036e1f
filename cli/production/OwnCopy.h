#pragma once
// Another run of this very program, as a worker of a production run over several
// adapters: its standard input and output are pipes to this process, its standard error
// is this process's. The chip library keeps the state of its connection and is not
// documented as safe to call from several threads, so each adapter gets a process.

#include <memory>
#include <string>
#include <vector>

namespace cli {

class IOwnCopy {
public:
    virtual ~IOwnCopy() = default;
    // The next line the copy wrote, without its line end; false once it closed its output.
    virtual bool ReadLine(std::string& line) = 0;
    virtual void WriteLine(const std::string& line) = 0;
    // The copy reads the end of its input: no further line comes.
    virtual void CloseInput() = 0;
    // Waits for the copy to end; its exit code.
    virtual int Wait() = 0;
    // Ends the copy at once (SIGKILL, TerminateProcess), from any thread; nothing once it
    // has ended.
    virtual void Kill() = 0;
};

// Starts the program with these arguments (without the program's name). Throws
// std::runtime_error with the cause when it cannot.
std::unique_ptr<IOwnCopy> StartOwnCopy(const std::vector<std::string>& arguments);

}  // namespace cli
