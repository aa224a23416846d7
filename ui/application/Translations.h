#pragma once

namespace kmq::ui {

// Qt's own texts (a text box's context menu, standard buttons) in
// Traditional Chinese, whatever the system's language. Call once, after the
// application object exists.
void installChineseTranslations();

}  // namespace kmq::ui
