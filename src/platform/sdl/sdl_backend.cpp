// The SDL2 backend (to come).
namespace kelmora::platform {}
