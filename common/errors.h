#pragma once

#include <stdexcept>
#include <string>

namespace dawnrule {

// A text that is not a valid number or date. Its message is shown to the user as is
// ("'abc' is not a valid integer value", "Invalid month").
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be read or written ("Cannot open file /path/Parm.dat").
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace dawnrule
