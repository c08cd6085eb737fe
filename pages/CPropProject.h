// The "Project" page: the project's descriptive texts and file information.
#pragma once

#include "pages/PropPage.h"

class CPropProject : public PropPage {
  Q_OBJECT
 public:
  explicit CPropProject(PageHost* host, QWidget* parent = nullptr);
  int ShowProject(Project* project) override;
  int ApplyToProject(Project* project) override;
};
