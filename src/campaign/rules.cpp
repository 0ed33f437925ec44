#include "campaign/rules.h"

#include "campaign/game_tables.h"

namespace fief {

const char* const kChannels[8] = {"MusicChanel01", "FaunaChanel01", "EnvChanel01",   "EnvChanel02",
                                  "EnvChanel03",   "EnvChanel04",   "ClickChanel01", "ClickChanel02"};

Rules::Rules(std::string programDir) : Rules(sameFolder(programDir)) {}

Rules::Rules(Folders where) : dir(where.program), folders(std::move(where)) { tables = makeGameTables(1, 0); }

}  // namespace fief
