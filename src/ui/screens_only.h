// Included by the screens' headers that include nothing else from src/ui: the rules
// library builds without src/ui on its include path, so a rule that includes a screen's
// header fails to compile here.
#pragma once
