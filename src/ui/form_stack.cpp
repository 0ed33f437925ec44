#include "ui/form_stack.h"

#include <algorithm>

#include "ui/form.h"

namespace fief {

bool FormStack::open(Game* g, Form& f) {
  if (!f.Loaded) {
    f.Loaded = true;
    f.CloseRequested = false;
    if (g) SetUpScreen(*g, f);
    f.Form_Load();
    if (f.CloseRequested) return false;  // closed while loading
  }
  if (std::find(forms_.begin(), forms_.end(), &f) == forms_.end()) {
    if (!forms_.empty()) forms_.back()->Form_Deactivate();
    forms_.push_back(&f);
  }
  f.Visible = true;
  f.Form_Activate();
  return true;
}

bool FormStack::close(Form& f, bool activateNext) {
  f.CloseRequested = true;
  auto it = std::find(forms_.begin(), forms_.end(), &f);
  const bool wasOpen = it != forms_.end();
  if (wasOpen) forms_.erase(it);
  f.Visible = false;
  // Its lists open at their first row again.
  for (Control& c : f.controls()) c.ListTop = 0, c.ListTopFor = -2;
  if (f.Loaded) {
    f.Loaded = false;
    f.Form_Unload();
  }
  if (wasOpen && activateNext && !forms_.empty()) forms_.back()->Form_Activate();
  return wasOpen;
}

}  // namespace fief
