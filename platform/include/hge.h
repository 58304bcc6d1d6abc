#pragma once
// The engine interface the game draws and loads through. One reference-counted object,
// obtained with hgeCreate(HGE_VERSION); two backends: a real SDL2 + OpenGL window, and a
// headless one that records quads and rasterises them in software for screenshots.
#include <cstdint>

typedef uint32_t DWORD;
typedef uint32_t HTEXTURE;

#define HGE_VERSION 0x180

enum hgeBoolState
{
    HGE_WINDOWED,
    HGE_USESOUND,
    HGE_SHOWSPLASH,
};

enum hgeIntState
{
    HGE_SCREENWIDTH,
    HGE_SCREENHEIGHT,
};

enum hgeStringState
{
    HGE_TITLE,
    HGE_DATAFOLDER,  // where relative file names start; by default the game's data beside the
                     // executable, or the installed share/marrowen/
};

enum hgeHwndState
{
    HGE_HWND,  // the window's input source (inputsource.h)
};

enum hgeBackend
{
    HGE_BACKEND_WINDOW,    // SDL2 + OpenGL window
    HGE_BACKEND_HEADLESS,  // no window; quads recorded and rasterised on request
};

// Blend modes: bit 2 set = alpha blending, clear = the quad's colour is added. The texture
// colour is always multiplied by the vertex colour.
#define BLEND_DEFAULT 2  // alpha blending, texture colour multiplied by vertex colour

struct hgeVertex
{
    float x, y;    // screen position in pixels
    float z;       // depth (no depth buffer is used)
    DWORD col;     // 0xAARRGGBB
    float tx, ty;  // texture coordinates
};

// Corners clockwise from the top-left.
struct hgeQuad
{
    hgeVertex v[4];
    HTEXTURE tex;
    int blend;
};

namespace platform
{
class InputSource;
}

class HGE
{
public:
    // Drops one reference; the last one shuts the engine down and frees it.
    virtual void Release() = 0;

    // Window set-up: states are set before System_Initiate, on the main thread.
    virtual bool System_Initiate() = 0;
    virtual void System_Shutdown() = 0;
    virtual void System_SetState(hgeBoolState aState, bool aValue) = 0;
    virtual void System_SetState(hgeIntState aState, int aValue) = 0;
    virtual void System_SetState(hgeStringState aState, const char* aValue) = 0;
    virtual bool System_GetState(hgeBoolState aState) = 0;
    virtual int System_GetState(hgeIntState aState) = 0;
    virtual platform::InputSource* System_GetState(hgeHwndState aState) = 0;
    // Appends one formatted line to the log ($XDG_STATE_HOME/marrowen/marrowen.log).
    virtual void System_Log(const char* aFormat, ...) = 0;
    // Main thread: handles every waiting window event; false once the window was closed or
    // the process was asked to end (SIGTERM, SIGINT), so the game ends as from its menu.
    virtual bool System_PumpMessages() = 0;
    // Shows or hides the system pointer over the window.
    virtual void System_ShowCursor(bool aShow) = 0;
    // Writes a frame as PNG, screen-sized. Headless: the last presented frame. Window: the next
    // frame the render thread presents, read back there; the caller waits for it (a few
    // seconds at most), so frames must keep coming meanwhile. False, with the reason in
    // platform::LastError(), on failure.
    virtual bool System_Snapshot(const char* aPngPath) = 0;

    // Files are found relative to the data folder (HGE_DATAFOLDER), exact name first, then a
    // case-insensitive match of each path component.
    virtual void* Resource_Load(const char* aFileName, DWORD* aSize = nullptr) = 0;
    virtual void Resource_Free(void* aResource) = 0;
    // Non-null when the file exists.
    virtual const char* Resource_EnumFiles(const char* aPath) = 0;

    // Loads a DDS, PNG, JPEG or BMP picture (cached by path). The file is checked on the
    // calling thread (a DDS file by its header: its picture is read when first drawn or
    // locked); the window sends it to the graphics card at its first draw, after which the
    // copy in memory goes. 0 on failure, with "<file>: <problem>" in platform::LastError(). Loading
    // a file again gives the same handle and one more reference; with aSize non-zero, aFileName
    // points at aSize bytes of a picture in memory instead (never shared). Safe on any thread.
    virtual HTEXTURE Texture_Load(const char* aFileName, DWORD aSize = 0, bool aMipmap = false) = 0;
    // Drops one reference; the last one frees the picture.
    virtual void Texture_Free(HTEXTURE aTexture) = 0;
    virtual int Texture_GetWidth(HTEXTURE aTexture, bool aOriginal = false) = 0;
    virtual int Texture_GetHeight(HTEXTURE aTexture, bool aOriginal = false) = 0;
    // The picture's pixels, row after row, one texture width per row (with a rectangle: its
    // top-left pixel; null when it does not fit); they stay in memory from then on. After a
    // writable lock, Texture_Unlock makes the window show the changed pixels.
    virtual DWORD* Texture_Lock(HTEXTURE aTexture, bool aReadOnly = true, int aLeft = 0,
                                int aTop = 0, int aWidth = 0, int aHeight = 0) = 0;
    virtual void Texture_Unlock(HTEXTURE aTexture) = 0;

    // Render thread only. Only the screen (target 0) can be drawn to. Texture 0 draws the
    // vertex colours alone; so does a handle no longer loaded.
    virtual bool Gfx_BeginScene(HTEXTURE aTarget = 0) = 0;
    virtual void Gfx_Clear(DWORD aColor) = 0;
    virtual void Gfx_RenderQuad(const hgeQuad* aQuad) = 0;
    virtual void Gfx_EndScene() = 0;

protected:
    virtual ~HGE() = default;
};

// Picks the backend of the engine the next hgeCreate makes; the window backend by default.
void hgeSelectBackend(hgeBackend aBackend);
// The backend the next hgeCreate makes (the music stays off the sound card when headless).
hgeBackend hgeSelectedBackend();
// The one engine interface, with one more reference.
HGE* hgeCreate(int aVersion);
