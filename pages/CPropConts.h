// The "Contaminants" page: the grouped contaminant tree and the inputs of the
// selected contaminant.
#pragma once

#include "pages/PropPage.h"

class CPropConts : public PropPage {
  Q_OBJECT
 public:
  explicit CPropConts(PageHost* host, QWidget* parent = nullptr);
  int ShowProject(Project* project) override;
  int ApplyToProject(Project* project) override;
  // Forgets the current contaminant and refills the tree from the project.
  void RebuildContaminantTree(Project* project);
};
