-- Indexes for the lists and reports read most: a vehicle's movements by date, a period's
-- movements, the per-vehicle sequence allocations, and the monthly summary by vehicle.

create index ix_vkl_movto_veic_veic_dt on vkl_movto_veic (mv_veic, mv_dt_saida);
create index ix_vkl_movto_veic_dt on vkl_movto_veic (mv_dt_saida);

create index ix_vkl_movto_abast_veic_dt on vkl_movto_abast (ma_veic, ma_data);
create index ix_vkl_movto_abast_dt on vkl_movto_abast (ma_data);

create index ix_vkl_manut_veic_veic_dt on vkl_manut_veic (mtv_veic, mtv_dt_entr);
create index ix_vkl_manut_veic_dt on vkl_manut_veic (mtv_dt_entr);

create index ix_vkl_resumo_mensal_veic on vkl_resumo_mensal (rm_veic, rm_ano, rm_mes);

create index ix_vkl_licenciamento_veic on vkl_licenciamento (lc_veic);
create index ix_vkl_licenciamento_term on vkl_licenciamento (lc_dt_term);
create index ix_vkl_multas_veic on vkl_multas (mu_veic);
create index ix_vkl_multas_data on vkl_multas (mu_data);
create index ix_vkl_multas_pagto on vkl_multas (mu_dt_pagto);
create index ix_vkl_seguros_veic on vkl_seguros (sv_veic);
create index ix_vkl_seguros_ini on vkl_seguros (sv_dt_ini);

create index ix_vkl_ord_serv_ano on vkl_ord_serv (os_ano, os_nro);
create index ix_vkl_ord_serv_veic on vkl_ord_serv (os_veic);
create index ix_vkl_cad_lub_veic on vkl_cad_lub (cl_veic, cl_data);
