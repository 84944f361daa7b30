// The program's windows, created once at start (see main.ts), so that every
// window can reach the main window's menu as the desktop windows do.
import type { MenuBar } from './menu';

export const app = {
  menu: null as unknown as MenuBar,
  // The main menu opened last, one of the core's ActiveViews (set at start).
  activeView: -1,
};

export function enable(name: string, on: boolean): void { app.menu.setEnabled(name, on); }
