#pragma once
// The Access functions that queries typed by hand use most, as SQLite
// functions of the connection: Now, UCase, LCase, Len, Mid, Left, Right, IIf,
// Nz, Year, Month, Day. (Date() and Time() are SQLite's own and give today's
// date and the time.)

struct sqlite3;

void RegisterAccessFunctions(sqlite3* db);
