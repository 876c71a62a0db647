#pragma once
// The program's message loop and its accelerator table.
//
// Contract: load_accelerators loads a table from the program's resources;
// run() then gets each message, offers it first to that table for the window
// it is addressed to, and only if it was no accelerator translates and
// dispatches it. run() returns the WM_QUIT code.
namespace zel::platform {

class MessageLoop {
 public:
  virtual ~MessageLoop() = default;
  virtual bool load_accelerators(int resource_id) = 0;
  virtual int run() = 0;
};

}  // namespace zel::platform
