#include "pages/CPropResults.h"

CPropResults::CPropResults(PageHost* host, QWidget* parent) : PropPage(host, parent) {}

int CPropResults::ShowProject(Project*) {
  RefreshResults();
  return 1;
}

void CPropResults::RefreshResults() {}
