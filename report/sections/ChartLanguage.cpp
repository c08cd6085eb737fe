// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/sections/ChartLanguage.h"

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QChart>
#include <QLocale>

#include "platform/DecimalSign.h"

void WithReportDecimalSign(QChart* chart, QChar sign) {
  if (!chart || sign == QLatin1Char('.')) return;
  chart->setTitle(WithDecimalSign(chart->title(), sign));
  for (QAbstractSeries* series : chart->series()) series->setName(WithDecimalSign(series->name(), sign));
  for (QAbstractAxis* axis : chart->axes()) axis->setTitleText(WithDecimalSign(axis->titleText(), sign));
  // The ticks are formatted by the chart: a locale whose decimal sign is a
  // comma, never grouping thousands, as every number of the report.
  QLocale locale(QLocale::German, QLocale::Germany);
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  chart->setLocale(locale);
  chart->setLocalizeNumbers(true);
}
