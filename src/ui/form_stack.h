// The open forms of a shell, bottom first, and the life cycle both shells share: a form
// is set up and loaded the first time it opens, activated whenever it comes to the top,
// and unloaded when it closes (the form below it is then activated again).
#pragma once

#include <vector>

namespace fief {

struct Game;
class Form;

class FormStack {
 public:
  // Loads the form if needed and puts it on top. False when it closed while loading.
  bool open(Game* g, Form& f);
  // Takes the form off the stack and unloads it; activates the new top form unless the
  // program is ending. Returns whether the form was open.
  bool close(Form& f, bool activateNext);
  const std::vector<Form*>& forms() const { return forms_; }
  bool empty() const { return forms_.empty(); }
  Form* top() const { return forms_.empty() ? nullptr : forms_.back(); }

 private:
  std::vector<Form*> forms_;
};

}  // namespace fief
