#pragma once
// The document benchmark's yardstick: the plainest reader and writer of the
// two document layouts, with no Qt anywhere in them. Reading takes the file
// whole, unmasks it, splits it into lines and parses the layout into plain
// arrays of byte strings (the text stays in Windows-1251); writing puts the
// same lines back, masked, through a temporary file renamed over the
// target. The checks are only those that keep the parse in bounds: the magic,
// the numbers, and counts no larger than the lines present.

#include <string>
#include <vector>

namespace plain {

struct PostDocument {
    std::vector<std::string> statement;
    int carriage = 0;
    int usedMin = 0;
    int usedMax = 0;
    std::string left;
    std::string zero;
    std::string right;
    int rows = 0;                    // R, header included
    std::vector<std::string> cells;  // 4 per row for rows 1..R, the last group too
};

struct TuringDocument {
    std::vector<std::string> statement;
    int carriage = 0;
    int usedMin = 0;
    int usedMax = 0;
    std::string tape;
    std::string alphabet;
    int rows = 0;
    int cols = 0;
    std::vector<std::string> cells;  // C + 1 per row for rows 1..R
    std::vector<std::string> comments;
};

// False when the file cannot be read or does not hold the layout.
bool ReadPost(const std::string& path, PostDocument& doc);
bool ReadTuring(const std::string& path, TuringDocument& doc);
// False when the file cannot be written; the previous file then stays.
bool WritePost(const std::string& path, const PostDocument& doc);
bool WriteTuring(const std::string& path, const TuringDocument& doc);

}  // namespace plain
