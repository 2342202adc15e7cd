// kelmora-headless: the real game on the headless backend (to come).
#include "app/app.h"

int main() {
  return kelmora::WinMain();
}
