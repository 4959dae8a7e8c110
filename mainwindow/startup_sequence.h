#pragma once

struct Global;
class FrmMain;

// Everything the start does once the database is connected: the own tables, the
// company name, the window's load, the calendar strip, the search list and the
// dispatch view. A failing step is shown and the start goes on with the next.
// A database that lacks ERP tables the program reads is no Odoo database to plan
// for: that is said once, nothing is created in it, and the result is false.
bool prepareMainWindow(Global &global, FrmMain &window);
