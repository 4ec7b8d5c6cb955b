#pragma once

// The implementations of Platform, one per window system (platform_*.cpp);
// only platform.cpp chooses among them.
namespace vielnis {

class Platform;

const Platform &x11Platform();
const Platform &waylandPlatform();
const Platform &windowsPlatform();

} // namespace vielnis
