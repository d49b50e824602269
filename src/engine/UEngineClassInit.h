#pragma once
// Registers the conversion engine's classes created by name (the session
// executor and the outputers) and makes the engine's convert item the one
// every new session gets. Called once at start-up; calling it again is harmless.

void RegisterEngineClasses();
