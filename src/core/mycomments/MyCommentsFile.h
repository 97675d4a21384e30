#pragma once
// The teacher's own comments, "My comments.txt": a plain UTF-8 text file in the program's folder
// of the teacher's Documents folder, one comment a paragraph (a blank line between two), each
// written with the phrase library's placeholders (@ # % * ~ $). The teacher may write it in any
// editor and take it to another machine by copying it. The comments are kept in UTF-8, as the file
// holds them; they become the class files' code page only as the comment box's text does.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// The program's folder in the teacher's Documents folder, and the file's name in it.
inline constexpr const char* myCommentsFolderName = "Tallyquill";
inline constexpr const char* myCommentsFileName = "My comments.txt";

// Where the file of the teacher whose Documents folder is `documentsFolder` lives.
std::string myCommentsPath(const std::string& documentsFolder);

struct MyComments {
    std::vector<std::string> comments; // UTF-8, one line each, in the file's order
    // The file was not UTF-8 and was read as Windows-1252: it is written back (as UTF-8) only
    // when the teacher changes the comments.
    bool readAsCp1252 = false;
};

// The comments a file's bytes hold. A paragraph's lines are one comment, joined by a space; blanks
// around each line and blank lines (one or more) between paragraphs are not kept. A UTF-8
// byte-order mark is dropped; bytes that are not UTF-8 are read as Windows-1252.
MyComments parseMyComments(std::string_view bytes);

// The file's text for `comments`: each comment, a blank line between two, lines ending CR LF.
// A comment holding line breaks is written as one line (the breaks become spaces), so the file
// reads back as the same comments; an empty comment is left out.
std::string myCommentsFileText(const std::vector<std::string>& comments);

// A comment as it is kept: line breaks and tabs become spaces, blanks at the ends go.
std::string tidyMyComment(std::string_view comment);

enum class MyCommentsRead { Read, NoFile, Unreadable };
struct MyCommentsLoad {
    MyCommentsRead result = MyCommentsRead::NoFile;
    MyComments list; // nothing for NoFile and Unreadable
};
// Reads the file at `path`. No file yet (it is made on first use) is an empty list; a file that
// exists but cannot be read (a folder, no permission) is Unreadable and must not be written over.
MyCommentsLoad readMyCommentsFile(const std::string& path);

// "Tallyquill cannot read PATH: ..." for the window and the command line, in UTF-8.
std::string myCommentsUnreadableText(const std::string& path);

} // namespace tq
