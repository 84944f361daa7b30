// The program's windows, created once at start (see main.ts), so that every
// window can reach the main window's menu as the desktop windows do.
import type { MenuBar } from './menu';

export const app = {
  menu: null as unknown as MenuBar,
  // The main menu opened last: 0 none, 1 lifetime, 2 projection, 3 census.
  activeView: 0,
};

export function enable(name: string, on: boolean): void { app.menu.setEnabled(name, on); }
