#pragma once

// Makes the skinned widgets readable through assistive tools (Qt's accessibility bridge): bitmap buttons
// as buttons, or check boxes when checkable, with a Press action; skin sliders as sliders with a settable
// value; skinned windows listing only their readable controls. Every constructor of those widgets calls
// it; it installs once.
void InstallSkinAccessibility();
