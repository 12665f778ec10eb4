#pragma once
// Finding the draw-time codes of a history ("M"/"E", "D"/"N", codes of its own)
// from its opening lines; not for the windows.

#include "engine/history/ImportLine.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pick3::importing {

class CodeFinder {
  public:
    // One record of the opening lines, read without codes.
    void see(const LineReader& reader, const LineReading& reading);
    // The codes found, earliest in the day first, each with its draw time's
    // name; empty where the lines hold none.
    std::vector<std::pair<std::string, std::string>> codes() const;

  private:
    static std::vector<std::pair<std::string, std::string>>
    named(std::vector<std::string> written,
          const std::map<std::string, std::pair<double, int>>& place, bool newestFirst);
    struct Sighting {
        std::int32_t date = 0;
        std::string code;
    };
    int lines_ = 0;
    std::vector<Sighting> seen_;
};

// The rules that read these codes: the n-th code names key kCode + n.
void applyCodes(const std::vector<std::pair<std::string, std::string>>& codes, ColumnRules& rules);

} // namespace pick3::importing
