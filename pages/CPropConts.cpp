#include "pages/CPropConts.h"

CPropConts::CPropConts(PageHost* host, QWidget* parent) : PropPage(host, parent) {}

int CPropConts::ShowProject(Project*) {
  pageModified = false;
  return 1;
}

int CPropConts::ApplyToProject(Project*) { return 1; }

void CPropConts::RebuildContaminantTree(Project*) {}
