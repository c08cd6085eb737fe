// The "Results" page: both assessments of every assessed contaminant,
// classified against the chosen assessment ranges.
#pragma once

#include "pages/PropPage.h"

class CPropResults : public PropPage {
  Q_OBJECT
 public:
  explicit CPropResults(PageHost* host, QWidget* parent = nullptr);
  int ShowProject(Project* project) override;
  void RefreshResults();
};
