// The texts the game builds from numbers: decimal text, the clock caption, a record's time.
#include "Text.h"

#include <array>

namespace surabe {

std::string DecimalText(Int16 value)
{
    return std::to_string(value);
}

std::string ClockText(Int16 seconds)
{
    return "時間： " + DecimalText(seconds) + " 秒";
}

std::string RecordTimeText(Int16 seconds)
{
    return DecimalText(seconds) + "  秒";
}

std::string LevelName(int boardSize)
{
    static constexpr std::array<const char *, 5> names{"初心", "初級", "中級", "上級", "特級"};
    if (boardSize < 3 || boardSize > 7)
        return {};
    return names[boardSize - 3];
}

std::string CourseText(int boardSize, Int16 seconds)
{
    const std::string level = LevelName(boardSize);
    if (level.empty())
        return {};
    return level + "コース      " + RecordTimeText(seconds);
}

} // namespace surabe
