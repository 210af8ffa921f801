@echo off
rem A stand-in for a batch-file installer: it hands the parameters that cmd
rem gave it, unchanged, to the program stand-in beside it, which records them.
"%~dp0HalcyraSetup.exe" %*
