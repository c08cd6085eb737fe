// The "Aquifer" page: distance, hydraulic parameters, redox condition, source
// and dispersivities of the project's aquifer.
#pragma once

#include "pages/PropPage.h"

class CPropAqui : public PropPage {
  Q_OBJECT
 public:
  explicit CPropAqui(PageHost* host, QWidget* parent = nullptr);
  int ShowProject(Project* project) override;
  int ApplyToProject(Project* project) override;
};
