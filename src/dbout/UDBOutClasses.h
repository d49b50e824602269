#pragma once
// Registers the classes of the database output that are created by name
// (writers, write executors, the table creator). Idempotent; the application
// runs it at start-up and the tests before they use the classes.

void RegisterDBOutClasses();
