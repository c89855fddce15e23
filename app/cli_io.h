#pragma once
// Standard output and standard error of qav-cli. Scripts read the exit status, so every write is
// checked: a full disk, a closed descriptor or a failed close is an error that names the reason.
#include <cstddef>
#include <string>
#include <string_view>

namespace qav::cli {

/// A write that failed: "standard output: No space left on device"; empty when the reader of a
/// pipe closed it, which needs no message.
struct OutputError {
    std::string message;
};

/// Run first. Puts /dev/null on standard descriptors that are closed, so that no file opened
/// later takes their number (a picture would otherwise receive the results), and remembers a
/// closed standard output so that the first write to it fails.
void GuardStandardStreams();

/// Writes all of text to standard output or throws OutputError with the operating system's reason.
void WriteOut(std::string_view text);

/// Closes standard output and throws OutputError if the data could not be delivered.
void FinishOut();

/// Writes to standard error; failures there cannot be reported and are ignored.
void WriteErr(std::string_view text);

/// "Analysed 3 of 90 locations" on standard error while a batch runs, only on a terminal. When
/// standard output is the same terminal the line is cleared before each result is printed.
class ProgressLine {
  public:
    explicit ProgressLine(std::size_t total);
    void BeforeResult();                 // clears the line if results share the terminal
    void AfterResult(std::size_t done);  // shows "Analysed <done> of <total> locations"
    void Finish();                       // clears the line

  private:
    std::size_t total_;
    bool shown_ = false;
    bool sharesTerminal_ = false;
    bool enabled_ = false;
};

}  // namespace qav::cli
