#include "mainwindow/month_names.h"

#include <QLocale>

const engine::MonthNames &localMonthNames()
{
    static const engine::MonthNames names = [] {
        engine::MonthNames n;
        const QLocale locale;
        for (int m = 1; m <= 12; ++m) {
            n.abbreviated[std::size_t(m - 1)] =
                locale.monthName(m, QLocale::ShortFormat).toStdString();
            n.full[std::size_t(m - 1)] = locale.monthName(m, QLocale::LongFormat).toStdString();
        }
        return n;
    }();
    return names;
}
