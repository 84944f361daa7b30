// "Indvandring": the net migration per year the projection adds, and the
// age profile it is spread by (MigrationDlg). OK checks the number, names
// its range when it is bad and stays open; a good one is put in force.
import { core, keyFilter, type MigrationOffer } from './core';
import { button, Dialog, el, field, label, messageBox, setText } from './ui';

export class MigrationDialog extends Dialog {
  readonly Edit1 = field('Edit1', 'Nettoindvandring pr. år', keyFilter('signed'));
  readonly ComboBox1 = el('select', { 'data-name': 'ComboBox1', 'aria-label': 'Aldersprofil' });
  readonly OKBtn: HTMLButtonElement;
  readonly CancelBtn: HTMLButtonElement;
  accepted = false;
  private choices: MigrationOffer[] = [];

  constructor() {
    super('MigrationDlg', 'Indvandring', 339, 118);
    this.place(el('div', { class: 'bevel', 'data-name': 'Bevel1' }), 8, 8, 321, 65);
    this.place(label('Label1', 'Nettoindvandring pr. år: '), 20, 20);
    this.place(label('Label2', 'Aldersprofil: '), 20, 44);
    this.place(this.Edit1, 240, 16, 73, 24);
    this.place(this.ComboBox1, 160, 41, 153, 24);
    this.Edit1.title = core.netMigrationMessage();
    this.OKBtn = this.place(button('OKBtn', '&OK', () => void this.OKBtnClick()), 24, 84, 77, 27);
    this.CancelBtn = this.place(button('CancelBtn', '&Fortryd', () => this.CancelBtnClick()), 216, 83, 89, 27);
    this.defaultButton = this.OKBtn;
    this.onCancel = () => this.CancelBtnClick();
    this.Edit1.addEventListener('input', () => { this.OKBtn.disabled = !core.checkNetMigration(this.Edit1.value).filled; });
    // A year's own profile proposes that year's net migration.
    this.ComboBox1.addEventListener('change', () => {
      const index = this.ComboBox1.selectedIndex;
      if (index > 0 && index < this.choices.length) setText(this.Edit1, String(this.choices[index].proposedNet));
    });
    // Offers what is in force: its number and its profile among those at hand.
    this.onShow = () => {
      this.accepted = false;
      this.choices = core.migrationChoices();
      this.ComboBox1.replaceChildren(...this.choices.map((c) => el('option', { text: c.name })));
      this.ComboBox1.selectedIndex = Math.max(0, this.choices.findIndex((c) => c.inForce));
      setText(this.Edit1, String(core.state().NetMigration));
      this.Edit1.focus();
      this.Edit1.select();
    };
  }

  async OKBtnClick(): Promise<void> {
    const check = core.checkNetMigration(this.Edit1.value);
    if (!check.filled) return;
    if (!check.valid) {
      await messageBox(core.netMigrationMessage(), core.projectionInputCaption());
      this.Edit1.focus();
      this.Edit1.select();
      return;
    }
    core.chooseMigration(this.ComboBox1.selectedIndex, check.value);
    this.accepted = true;
    this.close();
  }

  CancelBtnClick(): void { this.close(); }
}
