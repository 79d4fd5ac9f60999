#pragma once
// What assistive technology (Qt accessibility; AT-SPI on Linux) learns of the skinned controls:
// each control class has an interface of its own that gives its role, its name in the UI
// language, its state and, where it has one, its value.
namespace oryn7px {

// Registers the interfaces with Qt; once, after the application object exists.
void InstallAccessibleControls();

}  // namespace oryn7px
