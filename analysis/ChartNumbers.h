// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A chart's axis labels in the reader's decimal sign ("0,01" in German and
// Dutch), without grouping, as every number the windows show.
#pragma once

#include <QChart>
#include <QLocale>

#include "platform/DecimalSign.h"

inline QChart* WithShownNumbers(QChart* chart) {
  if (ShownDecimalSign() != QLatin1Char('.')) {
    QLocale locale(QLocale::German);  // a decimal comma; its grouping is left out below
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(locale);
    chart->setLocalizeNumbers(true);
  }
  return chart;
}
