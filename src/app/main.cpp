// The game: the shell over the SDL2 backend.
#include "app/app.h"

int main() {
  return kelmora::WinMain();
}
