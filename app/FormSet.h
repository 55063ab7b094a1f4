#pragma once

// The program's three forms, created in this order: the order form (the main window), the transfer form
// and the verifier form. Each program-wide reference (FormOr, FormFTP, ForVerMail) is set before its
// form's creation handler runs.
void CreateForms();
void DestroyForms();

// Gives the modules' program-wide state its start values, as a fresh process has them. For tests that
// run several programs in one process.
void ResetProgramState();

// Fonts of the form descriptions that this system may lack, mapped to installed look-alikes.
void InstallFontSubstitutes();
