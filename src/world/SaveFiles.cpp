#include "world/SaveFiles.h"

#include <filesystem>
#include <system_error>

#include "core/Format.h"

std::string SaveFolderPath(int32_t slot) {
    char folder[100];
    FormatText(folder, sizeof folder, "Saves/Save%d", slot);
    return folder;
}

bool CreateSaveFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::create_directory(path, error);
}

std::vector<std::string> SplitSaveLines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        const size_t stop = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, stop - start));
        start = stop;
    }
    return lines;
}

SaveFile::SaveFile(int32_t slot) : folder_(SaveFolderPath(slot)), path_(folder_ + "/save.txt") {}

bool SaveFile::Read(std::string& text) {
    if (depth_ == 0) return ReadTextFile(path_, text);
    if (!read_) read_ = ReadTextFile(path_, text_);
    if (read_) text = text_;
    return read_;
}

bool SaveFile::Write(const std::string& text) {
    if (depth_ == 0) return WriteFileAtomically(path_, text);
    text_ = text;
    read_ = true;
    written_ = true;
    return true;
}

void SaveFile::OpenBatch() {
    if (depth_++ > 0) return;
    text_.clear();
    read_ = false;
    written_ = false;
}

bool SaveFile::CommitBatch() {
    if (depth_ == 0 || --depth_ > 0) return true;
    const bool write = written_;
    written_ = false;
    read_ = false;
    return !write || WriteFileAtomically(path_, text_);
}
