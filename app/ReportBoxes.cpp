#include "app/ReportBoxes.h"

#include "app/Platform.h"

// Module, error number and uid stay out of the box: the user reads the message
// alone; the other fields only matter in the standard-output form.
void ShowErrorBox(const char* message, const char* /*module*/, int32_t /*errNo*/, uint32_t /*uid*/) {
  if (!message) return;
  Platform::instance().messageBox(nullptr, fromLatin1Record(message), QStringLiteral("Virelo-Error"),
                                  Platform::Ok, Platform::Icon::Error);
}

void ShowWarningBox(const char* message, const char* /*module*/, uint32_t /*uid*/) {
  if (!message) return;
  Platform::instance().messageBox(nullptr, fromLatin1Record(message), QStringLiteral("Virelo-Warning"),
                                  Platform::Ok, Platform::Icon::Warning);
}
