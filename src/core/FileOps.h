#pragma once
// Durable file operations for the program's text files. Nothing here keeps a file
// open between calls.
//
// - appendDurably: the bytes are on disk (fsync) when it succeeds; when it fails the
//   file is cut back to its old length, so a half-written line never stays behind. A
//   last line left without its line end (a text editor, a torn write) is ended first,
//   so the new line never joins it.
// - replaceAtomically: writes a temporary file beside the target, fsyncs it and
//   renames it over the target, so a crash leaves the old file or the new one. It
//   refuses a file that an append could not write (a read-only file), keeps the file's
//   mode and, for a symbolic link, replaces the file the link points to.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct IoResult {
    bool ok = true;
    std::string error; // plain words, for the operator

    explicit operator bool() const { return ok; }
    static IoResult failure(std::string what) { return {false, std::move(what)}; }
};

enum class ReadStatus { Ok, Missing, Unreadable };

ReadStatus readWholeFile(const std::string& path, std::string& out);

IoResult appendDurably(const std::string& path, std::string_view bytes);

// beforeRename runs after the temporary file is complete and synced, just before the
// rename; tests use it to stop the operation there.
IoResult replaceAtomically(const std::string& path, std::string_view bytes,
                           const std::function<void()>& beforeRename = {});

struct FileContents {
    std::string path;
    std::string bytes;
};

// Replaces several files as one step: every new version is written and synced first,
// and only when all of them are ready are they renamed into place. A file that cannot
// be replaced (read-only, a full disk) leaves every file as it was.
IoResult replaceAllAtomically(const std::vector<FileContents>& files);

// Creates the file when missing and empties it.
IoResult truncateFile(const std::string& path);

} // namespace vantor
