// The age-group dialog (BtnBottomDlg1): persons in an age interval for
// projected years beside the historical censuses.
import { Dialog } from './ui';
import type { ProjectionView } from './projection';

export class AgeGroupDialog extends Dialog {
  projection: ProjectionView | null = null;
  constructor() {
    super('BtnBottomDlg1', '  Aldersgrupper', 729, 505);
    this.onCancel = () => this.close();
  }
}
