#pragma once
// Everything a window of the library or a host needs from the framework, in one include.

#include "platform/framework/Afx.h"
#include "platform/framework/CButton.h"
#include "platform/framework/CDataExchange.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CEdit.h"
#include "platform/framework/CMenu.h"
#include "platform/framework/CStatic.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/DDX.h"
#include "platform/framework/FrameworkStrings.h"
#include "platform/framework/ResourceChain.h"
#include "platform/framework/ResourceRegistrar.h"
#include "platform/framework/WinUser.h"
