// The texts the game builds from numbers: decimal text, the clock caption, a record's time.
#pragma once

#include "Int16.h"

#include <string>

namespace surabe {

// Plain decimal: a minus sign for a negative value, no leading zeros, blanks or grouping.
std::string DecimalText(Int16 value);

// "時間： 75 秒": the caption of the clock label during a game.
std::string ClockText(Int16 seconds);

// "87  秒": a time as the two best-time windows show it.
std::string RecordTimeText(Int16 seconds);

// "初心" … "特級" for board sizes 3..7; empty for any other size.
std::string LevelName(int boardSize);

// "初級コース      87  秒": the caption of the record dialog; empty for a size outside 3..7.
std::string CourseText(int boardSize, Int16 seconds);

} // namespace surabe
