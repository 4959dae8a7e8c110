#include "mainwindow/global.h"

engine::WorkCentreCapacity Global::capacityOf(int selected) const
{
    if (!isSlot(selected))
        return {};
    const auto &wc = wcTable[std::size_t(selected - 1)];
    return {wc.dailyHours, wc.saturdayWorked != 0, wc.sundayWorked != 0};
}
