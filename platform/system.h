#pragma once
// What the operating system does its own way: where data shared by every
// account lives, how a file reaches the disk, who may write a folder, how the
// game is asked to end, where debug lines go. One implementation per target,
// in platform/posix/, platform/windows/ and platform/web/; the frame loop and
// window functions Linux and Windows share are in platform/desktop/. Paths are
// UTF-8.
#include <cstdio>
#include <string>

struct SDL_Window;

// The machine's common application data folder with a trailing "/" (Linux:
// "$XDG_DATA_HOME/", default "~/.local/share/"), "" when there is none.
std::string CommonAppDataFolder();

// Opens a file as std::fopen does.
std::FILE* OpenFile(const std::string& path, const char* mode);
// Pushes what was written to path down to the disk; false when it cannot.
bool FlushFileToDisk(const std::string& path);
// Moves from over to, replacing it in one step, and makes the move durable.
bool ReplaceFileWith(const std::string& from, const std::string& to);

// Gives the local Users group full access to path and to what it will hold,
// so that every account of the machine shares one set of players and scores.
// On Linux every account reaches the folder already.
bool GrantUsersFullAccess(const std::string& path);

// From now on an end request (SIGTERM or SIGINT; on Windows Ctrl+C, Ctrl+Break
// or the close of the console) is kept until TakeEndRequest() collects it.
void WatchEndRequests();
// True once per end request.
bool TakeEndRequest();

// Where a debug line goes besides the captures: stderr; on Windows also the
// debugger output and debug.log in the folder SetDebugLogFolder named.
void WriteDebugLine(const std::string& line);
void SetDebugLogFolder(const std::string& folder);

// Sanitized Linux builds keep the GL libraries loaded to the end (see posix).
void KeepGlLibrariesLoaded();

// Sets an environment variable for this process and the C library's getenv.
void SetEnvValue(const std::string& name, const std::string& value);
// This process's id.
int ProcessId();
// The most memory this process has held resident so far, in bytes.
double PeakResidentBytes();

// Runs tick once a frame until it returns 0, then atEnd. The desktop loops
// here; in the browser the page's animation frame calls tick, and this
// returns to the browser at once.
void RunFrameLoop(int (*tick)(), void (*atEnd)());
// True where the system paces the frames itself (the browser's animation
// frame): Flip then waits for nothing.
bool SystemPacesFrames();
// Called before the game's window closes. In the browser a window in full
// screen leaves it first and waits for the page to restore the canvas, which
// reads the window's data; elsewhere nothing.
void PrepareWindowClose(SDL_Window* window);
// Whether a change of screen mode keeps the window and its OpenGL context (the
// browser: its one canvas goes in and out of full screen) rather than opening
// a new window.
bool ModeChangeKeepsWindow();
// Whether a first start takes the whole screen: on the desktop it does; a page
// stays in its browser tab until the player asks for full screen.
bool FirstStartFullscreen();
