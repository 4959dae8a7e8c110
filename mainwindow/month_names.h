#pragma once

#include "engine/date_text.h"

// Month names of the user's locale, for the date captions.
const engine::MonthNames &localMonthNames();
