# A new campaign on the campaign screen: the program and the campaign start, and the
# mission screen that opens over the map closed. A `seed` before the include decides
# the start's draws.
start
click TipsFrm.CloseLbl
