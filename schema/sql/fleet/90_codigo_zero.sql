-- Rows of code 0 that the movement windows rely on: a trip without line or destination stores
-- 0, a maintenance entry or licensing without supplier stores supplier 0, a service order
-- without cause stores cause 0, and each is checked against its table. The registry lists hide
-- code 0. Existing rows (a municipality's own supplier 0) are left as they are.

insert into vkl_linhas (li_cod, li_descr)
  select 0, 'SEM LINHA' from rdb$database
  where not exists (select 1 from vkl_linhas where li_cod = 0);

insert into vkl_destinos (de_cod, de_descr)
  select 0, 'SEM DESTINO' from rdb$database
  where not exists (select 1 from vkl_destinos where de_cod = 0);

insert into vkl_causa_manut (cm_cod, cm_descr)
  select 0, 'SEM CAUSA' from rdb$database
  where not exists (select 1 from vkl_causa_manut where cm_cod = 0);

insert into fornecedores (fo_cod, fo_nome, fo_fant)
  select 0, 'SEM FORNECEDOR', 'SEM FORNECEDOR' from rdb$database
  where not exists (select 1 from fornecedores where fo_cod = 0);
