#pragma once
// The calling-convention and annotation macros of the Windows headers. On a target without
// x86 calling conventions the Windows headers define them empty, and so does this header: code
// written for Win32 keeps its spelling. Included by <windows.h> only, so that the library's own
// code keeps identifiers such as IN and OUT free.

#ifndef CALLBACK
#define CALLBACK
#endif
#ifndef WINAPI
#define WINAPI
#endif
#ifndef WINAPIV
#define WINAPIV
#endif
#ifndef APIENTRY
#define APIENTRY WINAPI
#endif
#ifndef APIPRIVATE
#define APIPRIVATE
#endif
#ifndef PASCAL
#define PASCAL
#endif
#ifndef CDECL
#define CDECL
#endif
#ifndef STDMETHODCALLTYPE
#define STDMETHODCALLTYPE
#endif
#ifndef FAR
#define FAR
#endif
#ifndef NEAR
#define NEAR
#endif
#ifndef far
#define far
#endif
#ifndef near
#define near
#endif
#ifndef IN
#define IN
#endif
#ifndef OUT
#define OUT
#endif
#ifndef OPTIONAL
#define OPTIONAL
#endif
#ifndef CONST
#define CONST const
#endif
#ifndef UNREFERENCED_PARAMETER
#define UNREFERENCED_PARAMETER(P) (void)(P)
#endif
