// The suite's file helpers and directories. The Ensure_ helpers report success and
// never throw.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

bool Ensure_FileExists(const std::string& fileName);
// Creates fileName empty; an existing file loses its content.
bool Ensure_CreateFile(const std::string& fileName);
// True when fileName does not exist afterwards (also when it never existed).
bool Ensure_DeleteFile(const std::string& fileName);
// Moves from to to, replacing an existing target in one step; across file systems the
// content is copied first, so a failure leaves the old target as it was.
bool Ensure_RenameFile(const std::string& from, const std::string& to);
// Copies from to to, replacing an existing target only when the copy is complete.
bool Ensure_CopyFile(const std::string& from, const std::string& to);

// Ensure_RenameFile with the reason of a failure.
std::error_code RenameFileReplacing(const std::string& from, const std::string& to);

bool DirectoryExists(const std::string& dir);
// Creates dir with all missing parents; true when it exists afterwards.
bool ForceDirectories(const std::string& dir);

// Joins directory and file name with one separator of this platform. A trailing
// separator of dir, a leading one of name and Windows backslashes are tolerated.
std::string ConcatPathNames(std::string_view dir, std::string_view name);
// The file part of a path; "/" and "\" both separate.
std::string ExtractFileName(std::string_view path);

// Full name of fileName in one of the suite's directories under SaldixHome(): a
// numbered one (16, 27) or a named one ("LISTEN", "statemp"). The directory is created
// on demand; throws std::runtime_error when that fails and std::invalid_argument for a
// directory or file name that would leave it. An empty fileName gives the directory.
std::string GetDirWwsByName(int number, const std::string& fileName);
std::string GetDirWwsByName(const std::string& dirName, const std::string& fileName);

// Creates a new, empty file "<stem>.XXXXXX.tmp" with a unique name in dir, with the
// permissions of an ordinary new file, and returns its path; throws
// std::runtime_error when it cannot be created.
std::string CreateUniqueFile(const std::string& dir, std::string_view stem);
