#pragma once

// The launcher's classes, for headers that only name them.
class HCYInstallerApp;
class HCYInstallerView;
class HCYQTInstallerView;
class HCYPictureButton;
class HCYDoInstall;
class HCYProfileInformation;
class HCYGetRebootPrivilege;
class RegEdit;
