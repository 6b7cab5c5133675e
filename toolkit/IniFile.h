#pragma once

// TIniFile: reading and writing one Windows ini file by section and key.
//
//   TIniFile ini(path);                     a full path; the file may be missing
//   int ReadInteger(section, key, default)  the default when the key is
//                                           missing or its text is not a whole
//                                           32-bit number (decimal, optional
//                                           sign; blanks around are allowed)
//   std::string ReadString(section, key, default)
//   WriteInteger / WriteString              raise "Unable to write to %s"
//                                           when the file cannot be written
// Texts are UTF-8 in the program; the file is read and written through the
// platform's profile functions.
#include <string>

class TIniFile {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);

private:
    std::string fileName_;
};
